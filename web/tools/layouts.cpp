// Writes the programs' layout tables as JSON, in pixels as every view rounds them, for the
// site's build to write each window into its page and for the browser tests and benchmarks to
// read: what the core knows about a window (control kinds, tab order, the default button, the
// caption's line break) said by the core, with the labels that a click on the default button
// writes, which the page makes live regions.
#include "texts.h"
#include "utf8.h"
#include "webprograms.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>
#include <vector>

// The kinds by the enum's own names: the site and the tests compare against these.
NLOHMANN_JSON_SERIALIZE_ENUM(ControlLayout::Kind,
                             {
                                 {ControlLayout::Kind::Label, "Label"},
                                 {ControlLayout::Kind::TextBox, "TextBox"},
                                 {ControlLayout::Kind::CommandButton, "CommandButton"},
                             })

namespace {

// Keeps the programs and fields in the order written, which is the order the site lists them.
using Json = nlohmann::ordered_json;

std::vector<std::string> labelsWritten(Form &form)
{
    std::vector<std::uint64_t> before;
    for (const auto &control : form.controls())
        before.push_back(control->revision());
    form.pressDefaultButton();
    std::vector<std::string> written;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Control &control = *form.controls()[i];
        if (control.kind() == ControlLayout::Kind::Label && control.revision() != before[i])
            written.push_back(toUtf8(control.name()));
    }
    return written;
}

Json program(const std::string &name)
{
    const auto form = makeProgram(name);
    const FormLayout &layout = form->layout();
    Json tabOrder = Json::array();
    for (const Control *control : form->tabOrder())
        tabOrder.push_back(toUtf8(control->name()));
    Json controls = Json::array();
    for (const auto &control : form->controls()) {
        const ControlLayout &entry = control->layout();
        controls.push_back({
            {"kind", entry.kind},
            {"name", toUtf8(entry.name)},
            {"caption", toUtf8(entry.caption)},
            {"left", twipsToPixels(entry.left)},
            {"top", twipsToPixels(entry.top)},
            {"width", twipsToPixels(entry.width)},
            {"height", twipsToPixels(entry.height)},
            {"tabIndex", entry.tabIndex},
            {"accessibleName", toUtf8(entry.accessibleName)},
        });
    }
    return {
        {"caption", toUtf8(layout.caption)},
        {"programName", toUtf8(form->programName())},
        {"width", twipsToPixels(layout.clientWidth)},
        {"height", twipsToPixels(layout.clientHeight)},
        {"defaultButton", toUtf8(layout.defaultButton)},
        {"maxLength", TextBox::MaxLength},
        {"messageOk", toUtf8(Texts::MessageOk)},
        {"tabOrder", tabOrder},
        {"written", labelsWritten(*makeProgram(name))},
        {"controls", controls},
    };
}

} // namespace

int main()
{
    Json programs = Json::object();
    for (const std::string &name : programNames())
        programs[name] = program(name);
    const Json table = {
        {"lineBreak", toUtf8(Label::LineBreak)},
        {"programs", programs},
    };
    std::cout << table.dump(1) << '\n';
}
