#include "appearance/display_settings.h"
