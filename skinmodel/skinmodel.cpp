#include "skinmodel.h"

