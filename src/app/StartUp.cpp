// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "platform/AppDir.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/ProductInfo.h"
#include "platform/SingleInstanceGuard.h"
#include "shell/TfrmMainForm.h"
#include "shell/SettingsSession.h"
#include "shell/TfrmOptions.h"
#include "shell/TfrmSplash.h"
#include "tags/TDataMod.h"
#include "tags/TfrmTagInspector.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace {

const QString NoAnswerText =
    QStringLiteral("Quillon is already running but does not answer.\r"
                   "This copy does not start; try again once the running copy responds.");

} // namespace

struct StartUp::Private {
    SingleInstanceGuard guard;
    QPointer<TfrmSplash> splash;
    std::unique_ptr<TDataMod> dataMod;
    TfrmMainForm *mainForm = nullptr;
    std::unique_ptr<TfrmOptions> options;
    std::unique_ptr<TfrmTagInspector> tagInspector;
};

StartUp::StartUp(StartUpParameters parameters)
    : d(std::make_unique<Private>()), FParameters(std::move(parameters))
{
}

StartUp::~StartUp()
{
    // Windows go before the tables they read.
    d->tagInspector.reset();
    // The options are saved while the main window still exists.
    if (d->options)
        d->options->FormDestroy();
    d->options.reset();
    delete d->mainForm;
    d->dataMod.reset();
    DataMod = nullptr;
}

TfrmMainForm *StartUp::MainForm() const
{
    return d->mainForm;
}

bool StartUp::Prepare()
{
    // Another copy that is running takes our file names and comes forward;
    // one that is still starting after the longest wait means we end.
    d->guard.SetAnswerTimeout(FParameters.instanceAnswerMs);
    switch (d->guard.Acquire(FParameters.fileNames, FParameters.instanceWaitMs)) {
    case SingleInstanceGuard::Outcome::HandedOver:
    case SingleInstanceGuard::Outcome::TimedOut:
        FExitCode = 0;
        return false;
    case SingleInstanceGuard::Outcome::NoAnswer:
        qWarning("%s", qPrintable(NoAnswerText));
        Dialogs::Instance().MessageBox(MsgKind::Error, NoAnswerText, mbOK);
        FExitCode = 1;
        return false;
    case SingleInstanceGuard::Outcome::Continue:
        break;
    }

    QElapsedTimer tick;
    tick.start();

    auto splashMessage = [this](const QString &message) {
        if (d->splash)
            d->splash->SetMessage(message);
        if (FParameters.onSplashMessage)
            FParameters.onSplashMessage(message);
    };

    d->splash = new TfrmSplash;
    d->splash->lblVerNum->setText(ProductInfo::Version);
    d->splash->ShowNow();

    try {
        const QString appDirError = AppDir::Prepare();
        if (!appDirError.isEmpty() && FatalErrorText().isEmpty())
            FatalErrorText() = appDirError;

        // The data module comes first and opens every table; without its
        // program folder there is nothing to open.
        if (FatalErrorText().isEmpty()) {
            d->dataMod = std::make_unique<TDataMod>(AppDir::Path(), splashMessage);
            DataMod = d->dataMod.get();
        }
        d->mainForm = new TfrmMainForm;
        SettingsSession::LoadWorkState(*d->mainForm, splashMessage);

        if (FatalErrorText().isEmpty()) {
            splashMessage(QStringLiteral("Creating Application Environment ..."));
            d->options = SettingsSession::CreateOptions(*d->mainForm);
            // The options dialog, Link Manager, list element dialog and link
            // details join here, before the Tag Inspector and the about box.
            // The Tag Inspector takes its stored place and fills its lists
            // and grid; a failure stops the program like any other here.
            d->tagInspector = std::make_unique<TfrmTagInspector>(*d->mainForm, *DataMod,
                                                                 *d->mainForm, d->mainForm);
            splashMessage(QStringLiteral("Almost Done ..."));
            // Then the page properties and welcome dialogs.
        }

        QApplication::processEvents();
        // The splash stays up for its minimum time; the wait deliberately
        // handles no messages, so nothing starts behind it.
        const qint64 remaining = FParameters.splashMinimumMs - tick.elapsed();
        if (remaining > 0)
            QThread::msleep(static_cast<unsigned long>(remaining));
        FSplashMs = tick.elapsed();
        d->splash->hide();
    } catch (...) {
        if (d->splash)
            d->splash->close();
        d->guard.Release();
        throw;
    }
    d->splash->close(); // frees itself

    // The running copy answers later starts from here on; the start-up
    // lock is only held while a copy is starting.
    QObject::connect(&d->guard, &SingleInstanceGuard::ActivateRequested, d->mainForm,
                     [form = d->mainForm](const QStringList &fileNames) {
                         SingleInstanceGuard::BringForward(form);
                         if (FatalErrorText().isEmpty())
                             form->OpenFiles(fileNames);
                     });
    d->guard.Listen();
    d->guard.Release();

    // A start-up failure is shown at the main window's first activation;
    // the process then ends with a failure status.
    FExitCode = FatalErrorText().isEmpty() ? 0 : 1;

    // The pages named on the command line open once the message loop runs,
    // after the main window has come up.
    if (FatalErrorText().isEmpty() && !FParameters.fileNames.isEmpty()) {
        QTimer::singleShot(0, d->mainForm, [form = d->mainForm, fileNames = FParameters.fileNames] {
            form->OpenFiles(fileNames);
        });
    }
    return true;
}

int StartUp::Run()
{
    if (!Prepare())
        return FExitCode;
    d->mainForm->show();
    const int status = QApplication::exec();
    return FExitCode != 0 ? FExitCode : status;
}
