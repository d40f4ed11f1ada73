// Runs a block of a test under a locale that writes numbers with a decimal comma, as a German or
// French desktop does once a Qt application has taken over the user's locale.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace qv::test {

inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

class DecimalCommaLocale {
  public:
    DecimalCommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, kDecimalCommaLocale) != nullptr;
    }
    ~DecimalCommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // True when the locale is in force and really writes "1,5" (scripts/install-deps.sh makes it).
    bool Active() const {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        return active_ && std::string(text) == "1,5";
    }

  private:
    std::string previous_;
    bool active_ = false;
};

}  // namespace qv::test
