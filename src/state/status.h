// The outcome of an operation that can refuse its input: nothing, or the message saying why.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "i18n/detail_texts.h"
#include "i18n/messages.h"

namespace qv {

class [[nodiscard]] Status {
  public:
    static Status Ok() { return Status(); }
    // `detail` adds where and what the platform said (a path, a file error, a length), shown
    // after the message in the reader's language.
    static Status Refused(MessageId message, Detail detail = {}) {
        return Status(message, std::move(detail));
    }
    // A detail that reads the same in every language: a path or a name.
    static Status Refused(MessageId message, std::string subject) {
        return Status(message, Detail::Subject(std::move(subject)));
    }

    bool ok() const { return !message_.has_value(); }
    // Why it was refused; nothing for a success.
    std::optional<MessageId> message() const { return message_; }
    const Detail& Details() const { return detail_; }
    // The detail alone, in `language`.
    std::string detail(Language language = Language::English) const {
        return detail_.Describe(language);
    }

    // The message in `language`, followed by the detail when there is one; empty for a success.
    std::string Describe(Language language) const {
        if (!message_) return {};
        return WithDetail(MessageText(*message_, language), detail_, language);
    }

  private:
    Status() = default;
    Status(MessageId message, Detail detail) : message_(message), detail_(std::move(detail)) {}

    std::optional<MessageId> message_;
    Detail detail_;
};

}  // namespace qv
