#include "ui/picture_window_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/picture.h"

namespace emberlin::ui {

CPictureWindowDlg::CPictureWindowDlg(forms::PictureWindowForm& model, QWidget* parent)
    : CFormDlg(parent), model_(model) {
    setObjectName(ToQ(model_.PictureName()) + QStringLiteral("Window"));
    auto* layout = new QVBoxLayout(this);
    // The window fits its picture; nothing in it can usefully grow.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(
        MakePicture(ToQ(model_.PictureName()), ToQ(model_.Title()).simplified(), this), 0,
        Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = binder_.Button("ok");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(binder_.Button("cancel"));
    layout->addLayout(buttons);
}

}  // namespace emberlin::ui
