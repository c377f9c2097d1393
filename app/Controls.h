#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QString>
#include <QValidator>

class QAbstractItemView;
class QWidget;

// A label for stored or typed text: always plain text, word-wrapped, so a
// word like "<img src=...>" shows as typed and long meanings stay readable.
QLabel *makeLabel(QWidget *parent, const QString &text = QString());

// A box that takes one letter as a reader sees it, however many characters
// it is made of (a decomposed "é", a Devanagari conjunct), in place of a
// length limit of one character.
class OneLetterValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &text, int &position) const override;
};

// Each item of the view reads in its own direction: an Arabic or Hebrew
// name or word is laid out right to left from the right edge (its trailing
// punctuation on the left), the others stay as the view lays them out.
// QLabel does this by itself; item views take the view's direction.
void followItemDirections(QAbstractItemView *view);

// A decoration picture of the program folder, stretched over `geometry`
// (logical pixels, e.g. from twRect).
QLabel *makePicture(QWidget *parent, const QString &fileName, const QRect &geometry);

// Large title type used by the product-name labels.
void setPointSize(QWidget *widget, int points, bool bold = true);

// Clicking `label` clicks `button` (an option button without text of its own),
// so the button's own handler runs.
void clickThrough(QAbstractButton *label, QAbstractButton *button);

// Runs an option button's handler whenever it becomes the selected one, however
// that happens: the mouse, the arrow keys, Space, the label beside it or an
// accessibility client's toggle action (which never emits clicked).
template <class Handler> void onSelected(QAbstractButton *option, QObject *context, Handler handler)
{
    QObject::connect(option, &QAbstractButton::toggled, context, [handler](bool checked) {
        if (checked)
            handler();
    });
}
