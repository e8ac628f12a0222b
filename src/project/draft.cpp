// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/draft.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The version of the file's layout; a later program that changes it counts up.
constexpr int FormatVersion = 1;

QString damaged() {
    return QCoreApplication::translate("Draft", "the file is cut off or damaged");
}

QJsonArray stringArray(const QStringList &texts) {
    return QJsonArray::fromStringList(texts);
}

bool isStringArray(const QJsonValue &value) {
    if (!value.isArray())
        return false;
    const QJsonArray array = value.toArray();
    return std::all_of(array.begin(), array.end(),
                       [](const QJsonValue &v) { return v.isString(); });
}

QStringList stringList(const QJsonValue &value) {
    QStringList texts;
    for (const QJsonValue &v : value.toArray())
        texts.append(v.toString());
    return texts;
}

bool hasStrings(const QJsonObject &object, std::initializer_list<QString> keys) {
    return std::all_of(keys.begin(), keys.end(),
                       [&object](const QString &key) { return object.value(key).isString(); });
}

std::optional<DraftPage> pageFrom(const QJsonValue &value) {
    const QJsonObject page = value.toObject();
    if (!page.value(u"id"_s).isDouble() ||
        !hasStrings(page, {u"name"_s, u"body"_s, u"sourceFolder"_s}))
        return std::nullopt;
    return DraftPage{page.value(u"id"_s).toInt(), page.value(u"name"_s).toString(),
                     page.value(u"body"_s).toString(), page.value(u"sourceFolder"_s).toString()};
}

std::optional<DraftPicture> pictureFrom(const QJsonValue &value) {
    const QJsonObject picture = value.toObject();
    if (!hasStrings(picture, {u"original"_s, u"copy"_s}))
        return std::nullopt;
    return DraftPicture{picture.value(u"original"_s).toString(),
                        picture.value(u"copy"_s).toString()};
}

// Every element of `array` read by `read`, or nothing when one can't be.
template <typename T, typename Read>
std::optional<QList<T>> listFrom(const QJsonValue &value, Read read) {
    if (!value.isArray())
        return std::nullopt;
    QList<T> items;
    for (const QJsonValue &element : value.toArray()) {
        std::optional<T> item = read(element);
        if (!item)
            return std::nullopt;
        items.append(std::move(*item));
    }
    return items;
}

} // namespace

bool Draft::sameWork(const Draft &other) const {
    return templateFolder == other.templateFolder && title == other.title &&
           author == other.author && pages == other.pages && destination == other.destination &&
           openedFolder == other.openedFolder && openedFiles == other.openedFiles;
}

Draft draftOf(const Website &site) {
    Draft draft;
    draft.templateFolder = site.templateFolder;
    draft.title = site.title;
    draft.author = site.author;
    draft.destination = site.destination;
    for (qsizetype i = 0; i < site.pages.size(); ++i) {
        const SitePage &page = site.pages[i];
        draft.pages.append({int(i), page.name, page.body, page.sourceFolder});
    }
    return draft;
}

Website websiteOf(const Draft &draft) {
    Website site{draft.templateFolder, draft.title, draft.author, {}, draft.destination};
    for (const DraftPage &page : draft.pages)
        site.pages.append({page.name, page.body, page.sourceFolder});
    return site;
}

QByteArray draftToJson(const Draft &draft) {
    QJsonArray pages;
    for (const DraftPage &page : draft.pages)
        pages.append(QJsonObject{{u"id"_s, page.id},
                                 {u"name"_s, page.name},
                                 {u"body"_s, page.body},
                                 {u"sourceFolder"_s, page.sourceFolder}});
    QJsonArray pictures;
    for (const DraftPicture &picture : draft.pictures)
        pictures.append(QJsonObject{{u"original"_s, picture.original}, {u"copy"_s, picture.copy}});
    const QJsonObject root{
        {u"format"_s, FormatVersion},
        {u"saved"_s, draft.saved.toUTC().toString(Qt::ISODateWithMs)},
        {u"template"_s, draft.templateFolder},
        {u"title"_s, draft.title},
        {u"author"_s, draft.author},
        {u"destination"_s, draft.destination},
        {u"openedFolder"_s, draft.openedFolder},
        {u"openedFiles"_s, stringArray(draft.openedFiles)},
        {u"pages"_s, pages},
        {u"pictures"_s, pictures},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

DraftReading draftFromJson(const QByteArray &json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !root.value(u"format"_s).isDouble())
        return {std::nullopt, damaged()};
    if (root.value(u"format"_s).toInt() > FormatVersion)
        return {std::nullopt,
                QCoreApplication::translate("Draft", "it was written by a newer version of "
                                                     "Quillsite")};
    const auto pages = listFrom<DraftPage>(root.value(u"pages"_s), pageFrom);
    const auto pictures = listFrom<DraftPicture>(root.value(u"pictures"_s), pictureFrom);
    const QDateTime saved = QDateTime::fromString(root.value(u"saved"_s).toString(), Qt::ISODate);
    if (!pages || pages->isEmpty() || !pictures || !saved.isValid() ||
        !isStringArray(root.value(u"openedFiles"_s)) ||
        !hasStrings(root,
                    {u"template"_s, u"title"_s, u"author"_s, u"destination"_s, u"openedFolder"_s}))
        return {std::nullopt, damaged()};
    Draft draft{root.value(u"template"_s).toString(),
                root.value(u"title"_s).toString(),
                root.value(u"author"_s).toString(),
                *pages,
                root.value(u"destination"_s).toString(),
                root.value(u"openedFolder"_s).toString(),
                stringList(root.value(u"openedFiles"_s)),
                *pictures,
                saved};
    return {std::move(draft), {}};
}

} // namespace quillsite
