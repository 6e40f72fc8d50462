#include "colourscheme.h"
