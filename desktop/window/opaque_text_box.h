#pragma once

#include <QLineEdit>

// A text box that paints every one of its pixels itself: the surface of the panel it stands on
// first, then the box as any text box draws it. So a new text repaints the box alone; the panel
// and the window behind it are not drawn again for it. Its text is laid out without shaping,
// which numbers do not need. For a read-out that changes every display frame, the clock's.
class OpaqueTextBox : public QLineEdit {
public:
    explicit OpaqueTextBox(const QString& text, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
