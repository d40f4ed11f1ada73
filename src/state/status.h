// The outcome of an operation that can refuse its input: nothing, or the message saying why.
#pragma once

#include <optional>
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

    bool ok() const { return !message_.has_value(); }
    // Why it was refused; nothing for a success.
    std::optional<MessageId> message() const { return message_; }
    const std::string& detail() const { return detail_; }

    // The message in `language`, followed by the detail when there is one; empty for a success.
    std::string Describe(Language language) const {
        if (!message_) return {};
        std::string text(MessageText(*message_, language));
        if (!detail_.empty()) text += " (" + detail_ + ")";
        return text;
    }

  private:
    Status() = default;
    Status(MessageId message, std::string detail) : message_(message), detail_(std::move(detail)) {}

    std::optional<MessageId> message_;
    std::string detail_;
};

}  // namespace qv
