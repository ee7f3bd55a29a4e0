#pragma once

#include <QString>

namespace arc {

class TimeStampService;

// The set-up panel's "Test": asks the service for a stamp over a few bytes
// of no consequence and says, in a sentence for the user, what came back.
namespace TimeStampTrial {

QString run(const TimeStampService &service);

} // namespace TimeStampTrial
} // namespace arc
