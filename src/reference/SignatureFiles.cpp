#include "SignatureFiles.h"

#include "DataFolder.h"
#include "FolderSignatures.h"
#include "MessageBoxes.h"
#include "SignatureName.h"
#include "SignaturePreview.h"
#include "SignaturesOf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace arc {

namespace {

struct SignatureFilesTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::SignatureFiles)
};

// About the shape of the printed signature boxes, 13b and 14b.
constexpr QSize kPreview{240, 64};

} // namespace

SignatureFiles::SignatureFiles(DataFolder &folder, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent), m_folder(folder), m_messages(messages)
{
    files = new QListWidget;
    files->setObjectName(QStringLiteral("File1"));
    chooseSignature = new QPushButton(tr("Choose..."));
    chooseSignature->setObjectName(QStringLiteral("SignatureChoose"));
    chooseSignature->setEnabled(false);
    signaturePreview = new QLabel;
    signaturePreview->setObjectName(QStringLiteral("SignaturePreview"));
    signaturePreview->setFixedSize(kPreview);
    signaturePreview->setFrameShape(QFrame::Box);
    m_chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, tr("Choose a signature bitmap"), QString(),
                                            tr("Pictures (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.JPEG)"));
    };

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto *fileName = new QHBoxLayout;
    fileName->addWidget(new QLabel(tr("Electronic Signature File")));
    fileName->addWidget(chooseSignature);
    v->addLayout(fileName);
    v->addWidget(files, 1);
    v->addWidget(signaturePreview);

    connect(chooseSignature, &QPushButton::clicked, this, &SignatureFiles::addSignature);
    connect(files, &QListWidget::itemSelectionChanged, this, &SignatureFiles::showPreview);
    connect(files, &QListWidget::itemSelectionChanged, this, &SignatureFiles::chosenChanged);
}

void SignatureFiles::list(const QString &name)
{
    files->clear();
    files->addItems(signaturesOf(m_folder)->names());
    const QList<QListWidgetItem *> match = files->findItems(name, Qt::MatchExactly);
    files->clearSelection();
    if (!name.isEmpty() && !match.isEmpty())
        files->setCurrentItem(match.first());
}

QString SignatureFiles::chosen() const
{
    const QList<QListWidgetItem *> picked = files->selectedItems();
    return picked.isEmpty() ? QString() : picked.first()->text();
}

void SignatureFiles::setChoosing(bool on)
{
    files->setEnabled(on);
    chooseSignature->setEnabled(on);
}

void SignatureFiles::addSignature()
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return;
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.read(FolderSignatures::maxBytes + 1) : QByteArray();
    const QString ending = signatureEnding(content);
    if (content.size() > FolderSignatures::maxBytes || ending.isEmpty() || QImage::fromData(content).isNull()) {
        m_messages.ask({MessageTexts::tr("%1 is not a picture that can be read, so it was not added.").arg(path),
                        MessageTexts::tr("DMIRs"), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    const std::unique_ptr<SignatureStore> store = signaturesOf(m_folder);
    QStringList taken = store->names();
    QString error;
    for (int tries = 0; tries < 100; ++tries) {
        // A name another station took meanwhile is passed by, never written over.
        const QString name = signatureName(path, taken, ending);
        switch (store->add(name, content, &error)) {
        case SignatureStore::Added::Yes:
            list(name);
            emit told(SignatureFilesTexts::tr("Signature %1 added to %2").arg(name, store->place()));
            return;
        case SignatureStore::Added::NameTaken: taken << name; continue;
        case SignatureStore::Added::Failed: break;
        }
        break;
    }
    m_messages.ask({MessageTexts::tr("The signature was not added: %1").arg(error), MessageTexts::tr("Database"),
                    Message::Buttons::Ok, Message::Icon::Critical});
}

void SignatureFiles::showPreview()
{
    const QString name = chosen();
    const QImage image =
        name.isEmpty() || !m_folder.isOpen() ? QImage() : arc::signaturePreview(*signaturesOf(m_folder), name, kPreview);
    if (image.isNull())
        signaturePreview->clear();
    else
        signaturePreview->setPixmap(QPixmap::fromImage(image));
}

} // namespace arc
