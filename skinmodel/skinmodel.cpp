#include "skinmodel.h"
