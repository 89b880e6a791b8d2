// Planted for the layer check's own test: oil may not see the model.
#pragma once

#include "core/constants.h"
#include "model/weathering_model.h"
