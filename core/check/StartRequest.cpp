#include "core/check/StartRequest.h"

#include "core/errors/RuntimeError.h"
#include "core/text/NumberRule.h"

#include <cctype>

namespace karusello::check {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The words of the text; a pair of double quotes around a word is dropped, as a Windows shell
// may add them.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at])) {
            ++at;
        }
        std::string word = text.substr(start, at - start);
        if (word.size() >= 2 && word.front() == '"' && word.back() == '"') {
            word = word.substr(1, word.size() - 2);
        }
        if (!word.empty()) {
            words.push_back(std::move(word));
        }
    }
    return words;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A word that starts like a number: digits, or a sign followed by one.
bool LooksLikeNumber(const std::string& word) {
    if (IsDigit(word[0])) {
        return true;
    }
    return (word[0] == '-' || word[0] == '+') && word.size() > 1 && IsDigit(word[1]);
}

void ReadCheckWord(const std::string& word, CheckRequest& request, bool& playlistSeen) {
    if (word == "--write") {
        request.write = true;
        return;
    }
    if (!LooksLikeNumber(word) || playlistSeen) {
        request.unknown.push_back(word);
        return;
    }
    try {
        const std::int32_t id = ToInt32(LeadingNumber(word));
        playlistSeen = true;
        if (id != 0) {
            request.playlist = id;
        }
    } catch (const RuntimeError&) {
        // Outside the 32-bit range: no playlist can have that number.
        request.unknown.push_back(word);
    }
}

} // namespace

StartRequest ReadStartRequest(const std::string& arguments) {
    const std::vector<std::string> words = Words(arguments);
    StartRequest request;
    if (words.empty()) {
        return request;
    }
    if (words[0] == "--version") {
        request.mode = StartMode::Version;
        return request;
    }
    if (words[0] != "--check") {
        return request;
    }
    request.mode = StartMode::Check;
    bool playlistSeen = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        ReadCheckWord(words[i], request.check, playlistSeen);
    }
    return request;
}

} // namespace karusello::check
