#pragma once

#include "skin/controls/BackgroundRequest.h"
#include "skin/raster/BackgroundInfo.h"

class QWidget;
class TsSkinManager;

// Where a control's background comes from: its parent answers the request when it is skinned; an
// unskinned parent gives its plain colour, or, when it paints more than that (or siblings lie below the
// control), a picture of what it paints under the control. `globalColor` answers for a window.
namespace BackgroundSource {

BackgroundRequest Ask(QWidget* child, TsSkinManager* manager, int globalColor);

// An answer as the background information painting takes.
BackgroundInfo InfoOf(const BackgroundRequest& request);

}  // namespace BackgroundSource
