#pragma once

#include "bound_page.h"

#include <QList>

class QEvent;

class QLabel;
class QPushButton;

namespace tavu {

class ResultBox;

// "TAVU の使用方法": explanation pages loaded into a comment box, and the concept link.
class ManualPage : public BoundPage {
    Q_OBJECT
public:
    explicit ManualPage(PageContext& context);

    ResultBox* commentBox() const { return comment_; }
    QLabel* conceptLink() const { return link_; }

public slots:
    void TAVUManualClick();
    void Label_Development_conceptClick();
    void Label_Development_conceptMouseMove();
    void Label_Development_conceptMouseLeave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLinkHolder();

    ResultBox* comment_ = nullptr;
    QLabel* link_ = nullptr;
    QList<QPushButton*> buttons_;
    bool hover_ = false; // the link is lifted while the pointer is over it
};

} // namespace tavu
