// What the forms hand one another: the FWI day, the FBP settings and the hourly tables.
// One HandOver lives for the whole run, owned by the application and handed by reference to
// the forms that produce or take values. A channel is empty until its producer's first
// calculation and is never emptied again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "fire/engine_inputs.h"
#include "fire/hourly_tables.h"

namespace emberlin::forms {

// The FWI calculator's day: today's codes and the weather they came from.
struct FwiDay {
    double ffmc = 0;              // today's FFMC, limited to 0..101
    double dmc = 0;               // today's DMC
    double dc = 0;                // today's DC
    double bui = 0;               // today's BUI
    double rain = 0;              // mm
    double windSpeed = 0;         // km/h
    double relativeHumidity = 0;  // %, as typed: 100 stays 100
    double temperature = 0;       // deg C
    int month = 0;
};

// A day of the hourly FWI window's results: its hourly FFMC and wind speed in the slots of
// the hourly tables, and the BUI at the day's peak hour.
struct HourlyFwiDay {
    HourlyTables tables;
    double bui = 0;
    int month = 1;
    int day = 1;
    std::string label;  // where the rows came from ("Hourly FWI, 2007-06-15 (...)")
};

// One channel of the hand-over: the value its producer published last, and how many times
// it has published. A result computed from the channel keeps the count it read, so it knows
// when the value under it has been replaced, even by equal numbers (a new calculation).
// Readers get the value read-only: only publishing changes it.
template <class Value>
class Channel {
  public:
    bool has_value() const { return value_.has_value(); }
    explicit operator bool() const { return value_.has_value(); }
    const Value& operator*() const { return *value_; }
    const Value* operator->() const { return &*value_; }
    const std::optional<Value>& Get() const { return value_; }

    // Publishing: a new value, counted. The reference returned is for filling it in at once.
    template <class... Args>
    Value& emplace(Args&&... args) {
        ++version_;
        return value_.emplace(std::forward<Args>(args)...);
    }
    Channel& operator=(const Value& value) {
        emplace(value);
        return *this;
    }
    // The value to change in place (a test standing in for its producer): counted as a new
    // publication, as is emptying the channel.
    Value& Edit() {
        ++version_;
        return *value_;
    }
    void reset() {
        ++version_;
        value_.reset();
    }

    // 0 until the first publication, then one more for each.
    std::uint64_t Version() const { return version_; }

  private:
    std::optional<Value> value_;
    std::uint64_t version_ = 0;
};

struct HandOver {
    Channel<FwiDay> fwi;              // set by the FWI calculator's Calculate
    Channel<FbpSettings> fbp;         // set by the FBP calculator's Calculate
    Channel<HourlyTables> hourly;     // set by the diurnal weather CALCULATE
    Channel<HourlyFwiDay> hourlyFwi;  // set by the hourly FWI window's hand-over
};

}  // namespace emberlin::forms
