// Planted for the layer check's own test: the calculators may not see oil.
#include "calculators/leaking_tank.h"
#include "oil/oil_fields.h"
