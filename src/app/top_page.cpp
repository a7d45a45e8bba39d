#include "top_page.h"
