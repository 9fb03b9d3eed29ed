// Writes the programs' layout tables as JSON, in pixels as every view rounds them, for the
// site's build to write each window into its page; with the labels that a click on the default
// button writes, which the page makes live regions.
#include "programs.h"
#include "texts.h"
#include "utf8.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::string quoted(const std::u16string &text)
{
    std::string out = "\"";
    for (const char c : toUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

const char *kindName(ControlLayout::Kind kind)
{
    switch (kind) {
    case ControlLayout::Kind::Label:
        return "Label";
    case ControlLayout::Kind::TextBox:
        return "TextBox";
    case ControlLayout::Kind::CommandButton:
        break;
    }
    return "CommandButton";
}

std::vector<std::u16string> labelsWritten(Form &form)
{
    std::vector<std::uint64_t> before;
    for (const auto &control : form.controls())
        before.push_back(control->revision());
    form.pressDefaultButton();
    std::vector<std::u16string> written;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Control &control = *form.controls()[i];
        if (control.kind() == ControlLayout::Kind::Label && control.revision() != before[i])
            written.push_back(control.name());
    }
    return written;
}

} // namespace

int main()
{
    std::cout << "{\n";
    const char *separator = "";
    for (const std::string &name : programNames()) {
        const auto form = makeProgram(name);
        const FormLayout &layout = form->layout();
        const std::vector<std::u16string> written = labelsWritten(*makeProgram(name));
        std::cout << separator << "\"" << name << "\": {\"caption\": " << quoted(layout.caption)
                  << ", \"programName\": " << quoted(form->programName())
                  << ", \"width\": " << twipsToPixels(layout.clientWidth)
                  << ", \"height\": " << twipsToPixels(layout.clientHeight)
                  << ", \"defaultButton\": " << quoted(layout.defaultButton)
                  << ", \"maxLength\": " << TextBox::MaxLength
                  << ", \"messageOk\": " << quoted(std::u16string(Texts::MessageOk))
                  << ", \"tabOrder\": [";
        const char *comma = "";
        for (const Control *control : form->tabOrder()) {
            std::cout << comma << quoted(control->name());
            comma = ", ";
        }
        std::cout << "], \"written\": [";
        comma = "";
        for (const std::u16string &label : written) {
            std::cout << comma << quoted(label);
            comma = ", ";
        }
        std::cout << "],\n  \"controls\": [";
        comma = "";
        for (const auto &control : form->controls()) {
            const ControlLayout &entry = control->layout();
            std::cout << comma << "\n    {\"kind\": \"" << kindName(entry.kind)
                      << "\", \"name\": " << quoted(entry.name)
                      << ", \"caption\": " << quoted(entry.caption)
                      << ", \"left\": " << twipsToPixels(entry.left)
                      << ", \"top\": " << twipsToPixels(entry.top)
                      << ", \"width\": " << twipsToPixels(entry.width)
                      << ", \"height\": " << twipsToPixels(entry.height)
                      << ", \"tabIndex\": " << entry.tabIndex
                      << ", \"accessibleName\": " << quoted(entry.accessibleName) << "}";
            comma = ",";
        }
        std::cout << "]}";
        separator = ",\n";
    }
    std::cout << "\n}\n";
}
