#include "app/ui/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quaeryn::ui {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("T_REG");
    setWindowTitle("About Quaeryn");
    setModal(true);

    auto* title = new QLabel("QUAERYN", this);
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.4);
    big.setBold(true);
    big.setLetterSpacing(QFont::PercentageSpacing, 120);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel("Version 5.00", this);
    version->setObjectName("lblVersion");
    version->setAlignment(Qt::AlignCenter);

    auto* glyphs = new QLabel(QString::fromUtf8("\u2609 \u263D \u263F \u2640 \u2642 \u2643 \u2644"), this);
    glyphs->setFont(QFont("DejaVu Sans", 18));
    glyphs->setAlignment(Qt::AlignCenter);

    auto* notice = new QLabel(
        "Horary astrology: the chart of the moment a question is asked.\n\n"
        "What changed in this version is listed under\n"
        "Help \u2192 Revision history.",
        this);
    notice->setObjectName("lblNotice");
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);

    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 20);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(glyphs);
    layout->addWidget(notice);
    layout->addWidget(cmdOK, 0, Qt::AlignCenter);
}

}  // namespace quaeryn::ui
