// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/greenbox.h"

#include "core/arithmeticfault.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/rightalign.h"
#include "core/sharedvalues.h"
#include "shell/uiservices.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tallyvane {

void paintEntryGreen(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor(128, 255, 128));
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

int entryKeyCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Backspace:
        return KeyBackspace;
    case Qt::Key_Delete:
        return KeyDelete;
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    const QString text = event->text();
    if (text.isEmpty() || !text[0].isPrint())
        return -1;
    return text[0].unicode();
}

GreenBox::GreenBox(const FigureBoxLayout& boxLayout, SharedValues& values, UiServices& services,
                   QWidget* parent)
    : QLineEdit(parent), m_layout(boxLayout), m_values(values), m_services(services)
{
    paintEntryGreen(this);
    setContextMenuPolicy(Qt::NoContextMenu);
    // A figure dropped in would arrive without passing the key filter.
    setAcceptDrops(false);
    if (m_layout.filter != KeyFilterKind::Words)
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void GreenBox::setSuccessor(QWidget* successor)
{
    m_successor = successor;
}

QString GreenBox::shownText(Money value) const
{
    // Padded to the box's field but never cut, so no digit of a large figure is lost.
    const QString figure = m_layout.prefix + formatMoney(value, m_layout.format);
    return figure.rightJustified(m_layout.width) + m_layout.suffix;
}

void GreenBox::showValue(Money value)
{
    setText(shownText(value));
}

QString GreenBox::storedValueText() const
{
    const int slot = m_layout.slot;
    if (slot < 0 || slot >= static_cast<int>(m_values.inputValues.size()))
        return {};
    return shownText(m_values.inputValues[slot]);
}

Money* GreenBox::slotValue()
{
    if (m_layout.slot < 0 || m_layout.slot >= static_cast<int>(m_values.inputValues.size()))
        return nullptr;
    return &m_values.inputValues[m_layout.slot];
}

void GreenBox::showStoredValue()
{
    if (const Money* stored = slotValue())
        showValue(*stored);
}

int GreenBox::filterKey(int keyCode)
{
    switch (m_layout.filter) {
    case KeyFilterKind::Decimal:
        m_values.entryText = text();
        if (m_layout.threeDecimals)
            m_values.entryDecimals = 3;
        return decimalKeyFilter(keyCode, m_values.entryText, m_values.entryDecimals);
    case KeyFilterKind::WholeNumber:
        return wholeNumberKeyFilter(keyCode);
    case KeyFilterKind::Words:
        if (keyCode == KeyDoubleQuote)
            return KeyRefused;
        if (m_layout.maxLength > 0 && keyCode != KeyBackspace && keyCode != KeyDelete &&
            text().size() - selectedText().size() >= m_layout.maxLength)
            return KeyRefused;
        return keyCode;
    }
    return KeyRefused;
}

namespace {

// Every way of changing the text other than typing a key is refused (paste,
// cut, undo, redo, word deletion), so the box never shows a figure other
// than the one typed and stored. Moving, selecting and copying stay.
bool changesTextWithoutTyping(const QKeyEvent* event)
{
    for (const auto key :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord, QKeySequence::DeleteCompleteLine})
        if (event->matches(key))
            return true;
    if (event->key() == Qt::Key_Insert && event->modifiers() & Qt::ShiftModifier)
        return true;
    return event->modifiers() & Qt::ControlModifier &&
           (event->key() == Qt::Key_Y || event->key() == Qt::Key_Z || event->key() == Qt::Key_K ||
            event->key() == Qt::Key_U || event->key() == Qt::Key_H || event->key() == Qt::Key_D);
}

} // namespace

void GreenBox::keyPressEvent(QKeyEvent* event)
{
    if (changesTextWithoutTyping(event))
        return;
    const int keyCode = entryKeyCode(event);
    if (keyCode < 0) {
        // With Alt a letter that is no access key would still be typed,
        // past the key filter and without being stored.
        const bool typesWithAlt = event->modifiers() & (Qt::AltModifier | Qt::MetaModifier) &&
                                  !event->text().isEmpty() && event->text().at(0).isPrint();
        if (typesWithAlt)
            event->ignore();
        else
            QLineEdit::keyPressEvent(event);
        return;
    }
    if (keyCode == KeyEnter) {
        if (m_successor)
            m_successor->setFocus(Qt::TabFocusReason);
        return;
    }
    if (keyCode == KeyDelete && m_layout.filter != KeyFilterKind::Words && !m_layout.formatsOwnText) {
        deleteOneCharacter(event);
        return;
    }
    // The sign goes into an emptied box without passing the key filter.
    const bool startsNegative = m_layout.takesMinus && keyCode == KeyMinus;
    const bool startsFigure =
        m_layout.filter != KeyFilterKind::Words && (m_values.entryChanged == 0 || startsNegative);
    if (startsFigure && !startsNegative && m_layout.filterBeforeEmptying &&
        filterKey(keyCode) == KeyRefused) {
        m_services.beep();
        return;
    }
    if (startsFigure) {
        clear();
        m_values.entryChanged = 1;
        emit typingStarted();
    }
    if (startsNegative) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (filterKey(keyCode) == KeyRefused) {
        m_services.beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Delete takes one character away from the figure, never the whole of it.
// The figure shown is first written plainly (without its symbol, separators,
// padding and "%"), so that what is left reads back as the figure the user
// sees; the results of the old figure go.
void GreenBox::deleteOneCharacter(QKeyEvent* event)
{
    if (m_values.entryChanged == 0) {
        const auto isFigure = [](QChar c) { return c.isDigit() || c == u'.' || c == u'-'; };
        QString plain;
        int cursor = 0;
        for (qsizetype i = 0; i < text().size(); ++i) {
            if (!isFigure(text()[i]))
                continue;
            plain += text()[i];
            if (i < cursorPosition())
                ++cursor;
        }
        setText(plain);
        setCursorPosition(cursor);
        m_values.entryChanged = 1;
        emit typingStarted();
    }
    QLineEdit::keyPressEvent(event);
}

// A middle click would paste the primary selection.
void GreenBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton)
        return;
    QLineEdit::mousePressEvent(event);
}

void GreenBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton)
        return;
    if (event->button() != Qt::LeftButton || !hasSelectedText()) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    // The line edit would put its selected text into the X selection, and a
    // click into a box that selects its figure would so replace what the
    // user had selected in another program. The selection is kept, the X
    // selection left alone.
    const int start = selectionStart();
    const int length = selectionLength();
    const bool caretAtStart = cursorPosition() == start;
    deselect();
    QLineEdit::mouseReleaseEvent(event);
    if (caretAtStart)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

// Ctrl+E is the planners' export; the line edit would take it as "move to
// the end of the line".
bool GreenBox::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void GreenBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_layout.selectAllOnFocus)
        selectAll();
    else
        deselect();
}

void GreenBox::storeTypedFigure()
{
    // A box without a slot leaves reading its figure to its window.
    if (Money* stored = slotValue())
        *stored = readLeadingMoney(text());
    if (m_layout.formatsOwnText) {
        // Padded to the box's width but never cut, so no digit is lost.
        setText(formatText(text(), m_layout.format).rightJustified(m_layout.width));
    } else
        showStoredValue();
}

void GreenBox::focusOutEvent(QFocusEvent* event)
{
    if (m_layout.filter == KeyFilterKind::Words) {
        m_values.entryChanged = 0;
    } else if (m_values.entryChanged == 1) {
        try {
            storeTypedFigure();
        } catch (const ArithmeticFault&) {
            // A figure too large for money keeps the value stored before,
            // and the user is told rather than left to wonder.
            m_values.entryChanged = 0;
            showStoredValue();
            m_services.showMessage(m_values, Message::WrongOrMissingEntry);
        }
        m_values.entryChanged = 0;
        emit figureStored();
    }
    QLineEdit::focusOutEvent(event);
}

} // namespace tallyvane
