// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace {

// The catalogues an earlier call installed.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> catalogues;
    return catalogues;
}

// Installs the catalogue `name` for `locale` from `folder`, where there is one, and returns it.
const QTranslator *install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(locale, name, QStringLiteral("_"), folder)) {
        delete catalogue;
        return nullptr;
    }
    QCoreApplication::installTranslator(catalogue);
    installed().append(catalogue);
    return catalogue;
}

} // namespace

void installTranslations(const QLocale &locale)
{
    for (const QPointer<QTranslator> &catalogue : std::as_const(installed()))
        delete catalogue.data(); // which also takes it out of the application's translators
    installed().clear();
    // Translators installed later are asked first: the user's language over English.
    install(QLocale(QLocale::English), QStringLiteral("quandrel"), QStringLiteral(":/i18n"));
    // Qt's own texts only in the language the program then speaks: no menu in another, and no
    // language the program lacks, a right-to-left one among them, mirrors its fixed layouts.
    if (const QTranslator *own =
            install(locale, QStringLiteral("quandrel"), QStringLiteral(":/i18n")))
        install(QLocale(own->language()), QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
