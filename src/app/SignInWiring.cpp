#include "SignInWiring.h"

#include "BenchActions.h"
#include "CertificateOnScreen.h"
#include "CutOffRuns.h"
#include "MainWindow.h"
#include "SignIn.h"
#include "SignatoriesPanel.h"
#include "SigningKey.h"

namespace arc::SignInWiring {

void attach(MainWindow &w)
{
    SignIn *signIn = &w.signIn();
    QObject::connect(signIn, &SignIn::signatoryChanged, &w.certificate(), &CertificateOnScreen::setSignedIn);
    QObject::connect(signIn, &SignIn::signatoryChanged, &w.cutOffRuns(), &CutOffRuns::setSignedIn);
    // Once the sign-in is complete, the signature and key read.
    QObject::connect(signIn, &SignIn::signedIn, &w.cutOffRuns(), &CutOffRuns::finishForSignedIn,
                     Qt::QueuedConnection);
    QObject::connect(signIn, &SignIn::exitRequested, &w, &MainWindow::exitRequested);

    QObject::connect(&w.benchActions(), &BenchActions::signOutAsked, signIn, &SignIn::signOut);
    QObject::connect(&w, &MainWindow::signOutAsked, signIn, &SignIn::signOut);
    QObject::connect(&w, &MainWindow::lockAsked, signIn, &SignIn::lock);
    QObject::connect(&w, &MainWindow::signatoriesRead, signIn, &SignIn::refreshMasterNote);
    QObject::connect(&w, &MainWindow::closing, signIn, &SignIn::stop);

    QObject::connect(&w.signatoriesPanel(), &SignatoriesPanel::saved, signIn, &SignIn::update);
    w.signatoriesPanel().setSigningKeys([signIn] { return signIn->signingKey(); },
                                        [signIn](qint64 row, std::unique_ptr<SigningKey> key) {
                                            signIn->keepSigningKey(row, std::move(key));
                                        });
}

} // namespace arc::SignInWiring
