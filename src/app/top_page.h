#pragma once
// Placeholder: the title bar lands with the search window.
