#include "mdlMorvak2.h"
