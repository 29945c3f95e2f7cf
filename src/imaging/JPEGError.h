#pragma once
// EJPEG: a fatal libjpeg error, named by libjpeg's message code.

#include "toolkit/Graphic.h"

class EJPEG : public EInvalidGraphic {
public:
    explicit EJPEG(int code) : EInvalidGraphic("JPEG error #" + std::to_string(code)), code_(code) {}
    // The message code of the libjpeg build in use (jerror.h).
    int Code() const { return code_; }

private:
    int code_;
};
