#pragma once

#include "app/Upublic.h"

// The training centre's name, hotline and address as the program reads them from the settings files now. Beside
// TestSupport.h rather than in it: it needs qv_app, which most tests do not link.
inline CentreInfo StoredCentreInfo() {
    CentreInfo info;
    ReadConfig(info.name, info.tel, info.adds);
    return info;
}
