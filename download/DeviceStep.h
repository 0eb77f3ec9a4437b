// The steps of a download that change what is on the device, for tests
// that end the process at one of them and check what a next run makes of
// what is left.
#pragma once

#include <functional>

enum class DeviceStep {
    RecordWritten, // a part's record replaced, on the device
    RecordRemoved, // a part's record gone
    StartOverBegins, // nothing changed yet: the part is about to start over
    PartEmptied, // the part cut to no bytes
    PartFlushed, // the part's bytes so far put on the device
    FileRenamed, // the finished file took its name
};

// Called on the thread that took the step, right after it (or, for a start
// over, as it begins); empty outside such tests.
using DeviceStepHook = std::function<void(DeviceStep)>;
