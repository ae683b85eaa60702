#pragma once

#include "platform/Exception.h"

// A skin that cannot be loaded. The manager catches only this kind, so that a broken skin never ends
// the program while every other fault still reaches the default handler.
class SkinError : public Exception {
public:
    using Exception::Exception;
};
