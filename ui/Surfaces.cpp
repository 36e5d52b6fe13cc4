#include "Surfaces.h"
