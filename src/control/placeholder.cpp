// Placeholder so the library has a translation unit; removed when real sources land.
