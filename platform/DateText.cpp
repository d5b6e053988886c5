#include "platform/DateText.h"
