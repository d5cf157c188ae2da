#include "core/CRMApplication.h"

#include "core/dmUnit.h"
#include "ui/Dialogs.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <exception>

TCRMApplication::TCRMApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(crm);
    setApplicationName(QStringLiteral("CRMProject"));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPointSize(10);
    setFont(font);
}

TCRMApplication::~TCRMApplication()
{
    dm().Close();   // before the database driver goes away with the application
}

bool TCRMApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ui::ShowError(QString::fromUtf8(e.what()));
    }
    return false;
}
