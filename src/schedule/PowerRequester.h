#pragma once

#include "schedule/PowerRequest.h"

#include <memory>

// The seam to the operating system's power services. request() returns only once the
// request has left the process and was accepted or refused (bounded in time).
class PowerRequester
{
public:
    virtual ~PowerRequester() = default;
    virtual PowerResult request(const PowerRequest &request) = 0;
};

// Defined once per platform under platform/.
std::unique_ptr<PowerRequester> makePlatformPowerRequester();
