#include "encodery.h"
