#pragma once

#include "formlayout.h"

#include <cstdint>
#include <string>
#include <string_view>

// A control of a form as plain data: its layout and the properties the programs read and write.
// Every write counts up the control's revision, so that a view redraws only what changed.
class Control {
public:
    explicit Control(ControlLayout layout)
        : m_layout(std::move(layout))
    {
    }
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const ControlLayout &layout() const { return m_layout; }
    const std::u16string &name() const { return m_layout.name; }
    ControlLayout::Kind kind() const { return m_layout.kind; }
    // Labels take no focus.
    bool takesFocus() const { return kind() != ControlLayout::Kind::Label; }
    std::uint64_t revision() const { return m_revision; }

    // Set by the form that owns the control: while `*closed` holds, a write throws
    // std::logic_error instead of taking effect.
    void closeWritesWhile(const bool *closed) { m_writesClosed = closed; }

protected:
    // Before every write, so that a refused write changes nothing.
    void touch();

private:
    ControlLayout m_layout;
    std::uint64_t m_revision = 0;
    const bool *m_writesClosed = nullptr;
};

// A control with a caption, which starts as the layout's and reads back exactly what was written.
class CaptionedControl : public Control {
public:
    explicit CaptionedControl(ControlLayout layout)
        : Control(std::move(layout))
        , m_caption(this->layout().caption)
    {
    }

    const std::u16string &caption() const { return m_caption; }
    void setCaption(std::u16string caption)
    {
        touch();
        m_caption = std::move(caption);
    }

private:
    std::u16string m_caption;
};

// A caption on the form.
class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    // What starts a new line in a caption: the programs write it, and every view splits on it.
    static constexpr std::u16string_view LineBreak = u"\r\n";
};

// A push button.
class CommandButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

// The text as a one-line entry box holds it: each line break (CR LF, CR, LF, U+2028, U+2029), tab
// and space of any width (Unicode's space separators, such as U+00A0 or the thin U+2009) becomes
// one blank, so that what a box shows as a blank is read as one. Line breaks that end the text
// are dropped instead: a column copied from a spreadsheet ends with its last number.
std::u16string asOneLine(std::u16string_view text);

// A box's text after a paste or drop over its selection: the pasted text as one line, cut so that
// the box keeps at most TextBox::MaxLength characters, and the caret right after it. The
// selection is clipped to the text as the TextBox properties are.
struct PastedText {
    std::u16string text;
    std::int32_t caret;
};
PastedText pasteIntoText(std::u16string_view text, std::int32_t selStart, std::int32_t selLength,
                         std::u16string_view pasted);

// A one-line entry box of at most MaxLength characters. The selection is a start and a length,
// in UTF-16 code units from the start of the text: writing the start empties the selection,
// writing the length selects from the start; both are clipped to the text.
class TextBox : public Control {
public:
    static constexpr std::int32_t MaxLength = 32767;

    explicit TextBox(ControlLayout layout);

    const std::u16string &text() const { return m_text; }
    // As one line (asOneLine), cut to MaxLength; the selection moves to the end of the new text.
    void setText(std::u16string_view text);

    std::int32_t selStart() const { return m_selStart; }
    void setSelStart(std::int32_t start);
    std::int32_t selLength() const { return m_selLength; }
    void setSelLength(std::int32_t length);
    std::u16string selText() const;
    // What a user selected, clipped like the properties.
    void select(std::int32_t start, std::int32_t length);

private:
    std::int32_t textLength() const { return static_cast<std::int32_t>(m_text.size()); }

    std::u16string m_text;
    std::int32_t m_selStart = 0;
    std::int32_t m_selLength = 0;
};
