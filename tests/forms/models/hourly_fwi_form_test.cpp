#include "forms/models/hourly_fwi_form.h"
