#include "SurfaceDrawing.h"
