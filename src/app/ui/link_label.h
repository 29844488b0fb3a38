#pragma once

#include <QLabel>

namespace lmk17 {

// The maker's e-mail or web address as a label that reacts to the pointer:
// red while the pointer is over it, blue otherwise; a click asks whether to
// open it (the caller's slot).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent = nullptr);
    void setHot(bool hot);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

// The maker's e-mail and web links side by side, each hidden while the
// build names no address.
class MakerLinks : public QWidget {
    Q_OBJECT
public:
    explicit MakerLinks(QWidget* parent = nullptr);

private:
    LinkLabel* mail_;
    LinkLabel* web_;
};

// Asks the question naming the address and opens it on Yes; failures of
// the mail client or browser are ignored.
void OpenMakerLink(QWidget* parent, const QString& question, const QString& url);
// A web site as the browser takes it (https:// unless a scheme is given).
QString WebUrl(const QString& site);

}  // namespace lmk17
