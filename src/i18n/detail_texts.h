// What a refusal adds after its message, in the reader's language: the file or place it is about
// (a path reads the same in every language) and what was found there. The system errors a user
// can do something about have their own texts in both languages; any other keeps the system's
// own text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "i18n/language.h"

namespace qv {

// What stands at a name where a regular file was wanted.
enum class FileKind { Directory, NamedPipe, CharacterDevice, BlockDevice, Socket, Other };

struct Detail {
    enum class Reason {
        None,         // the subject alone
        SystemError,  // `value` is the system's error number (errno)
        ByteCount,    // `value` is a length in bytes
        FileKind,     // `value` is a FileKind
    };

    std::string subject;  // a path or a name; may be empty
    Reason reason = Reason::None;
    long long value = 0;

    static Detail SystemError(std::string subject, int error) {
        return {std::move(subject), Reason::SystemError, error};
    }
    static Detail ByteCount(std::size_t bytes) {
        return {{}, Reason::ByteCount, static_cast<long long>(bytes)};
    }
    static Detail Kind(std::string subject, FileKind kind) {
        return {std::move(subject), Reason::FileKind, static_cast<long long>(kind)};
    }

    // A path or a name alone.
    static Detail Subject(std::string subject) { return {std::move(subject), Reason::None, 0}; }

    bool Empty() const { return subject.empty() && reason == Reason::None; }
    // "subject: reason", or either alone, in `language`.
    std::string Describe(Language language) const;

    friend bool operator==(const Detail&, const Detail&) = default;
};

// The system's error `error` (an errno value) in `language`; an error without a text of ours
// gives the system's own.
std::string SystemErrorText(int error, Language language);

// A message followed by its detail in brackets, as that language writes them; the message alone
// when there is no detail.
std::string WithDetail(std::string_view message, const Detail& detail, Language language);

}  // namespace qv
