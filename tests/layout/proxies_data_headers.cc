// The data interfaces' C++ headers compile together.

#include "include/cef_callbacks.h"
#include "include/cef_dom.h"
#include "include/cef_request.h"
#include "include/cef_response.h"
#include "include/cef_v8.h"
#include "include/cef_values.h"
