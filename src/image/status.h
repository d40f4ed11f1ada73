// The outcome of an operation that can refuse its input: nothing, or the message saying why.
#pragma once

#include <string>
#include <utility>

#include "i18n/messages.h"

namespace qv {

class [[nodiscard]] Status {
  public:
    static Status Ok() { return Status(); }
    // `detail` adds what the platform said (a file error, a path), shown after the message.
    static Status Refused(MessageId message, std::string detail = {}) {
        return Status(message, std::move(detail));
    }

    bool ok() const { return ok_; }
    MessageId message() const { return message_; }
    const std::string& detail() const { return detail_; }

    // The message in `language`, followed by the detail when there is one.
    std::string Describe(Language language) const {
        std::string text(MessageText(message_, language));
        if (!detail_.empty()) text += " (" + detail_ + ")";
        return text;
    }

  private:
    Status() = default;
    Status(MessageId message, std::string detail)
        : ok_(false), message_(message), detail_(std::move(detail)) {}

    bool ok_ = true;
    MessageId message_{};
    std::string detail_;
};

}  // namespace qv
