#pragma once

#include "form.h"
#include "runtimeerror.h"
#include "utf8.h"

#include <doctest/doctest.h>
#include <string>
#include <vector>

inline std::string utf8(std::u16string_view text)
{
    return toUtf8(text);
}

namespace doctest {
template<>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string &text) { return ("\"" + utf8(text) + "\"").c_str(); }
};
template<>
struct StringMaker<std::vector<std::u16string>> {
    static String convert(const std::vector<std::u16string> &texts)
    {
        std::string result = "{";
        for (const auto &text : texts)
            result += (result.size() > 1 ? ", \"" : "\"") + utf8(text) + "\"";
        return (result + "}").c_str();
    }
};
} // namespace doctest

// Collects the prompts a form shows, in place of a view's message box.
struct MessageCapture {
    explicit MessageCapture(Form &form)
    {
        form.setPresenter([this](const std::u16string &prompt, const std::u16string &title) {
            prompts.push_back(prompt);
            this->title = title;
        });
    }
    std::vector<std::u16string> prompts;
    std::u16string title;
};

// The kind of runtime error the call raises; fails the test when it raises none.
template<class Call>
RuntimeError::Kind raisedError(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    FAIL("no runtime error raised");
    return RuntimeError::Kind::Overflow;
}
