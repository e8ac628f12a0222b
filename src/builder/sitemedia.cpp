// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitemedia.h"

#include "builder/makefolder.h"
#include "builder/mediaaddress.h"
#include "builder/medianame.h"
#include "builder/pageaddresses.h"
#include "builder/pagelinks.h"
#include "builder/pagenames.h"
#include "builder/picturecodec.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSemaphore>
#include <QSet>
#include <QThreadPool>
#include <QUrl>
#include <QtConcurrentMap>

#include <atomic>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

using Kind = MediaAddress::Kind;

struct AddressUse {
    PageAddress address;
    MediaAddress target;
};

// "picture-1a2b3c4d.png": a pasted picture has no name of its own, so it is
// named after its content, which also keeps one picture pasted twice one file.
QString dataFileName(const MediaAddress &data) {
    QString extension = data.mimeType.sliced(data.mimeType.indexOf(u'/') + 1);
    if (extension == u"jpeg"_s)
        extension = u"jpg"_s;
    else if (extension == u"svg+xml"_s)
        extension = u"svg"_s;
    const QByteArray hash = QCryptographicHash::hash(data.data, QCryptographicHash::Sha1).toHex();
    return webSafeName(u"picture-%1.%2"_s.arg(QLatin1StringView(hash.left(8)), extension));
}

QByteArray attributeText(const QString &address) {
    QString escaped = address;
    escaped.replace(u'&', u"&amp;"_s).replace(u'"', u"&quot;"_s);
    return '"' + escaped.toUtf8() + '"';
}

QString withFragment(const QString &address, const QString &fragment) {
    return fragment.isEmpty() ? address : address + u'#' + fragment;
}

// Works out the copies and the pages' new addresses for one build.
class MediaPlanner final {
public:
    MediaPlanner(const QString &destination, const QString &mediaFolder)
        : m_destination(destination)
        , m_mediaFolder(mediaFolder) {}

    // Names of files already in the media folder that pages show as they
    // are; no copy may take them.
    void reserveNames(const QList<AddressUse> &uses) {
        for (const AddressUse &use : uses) {
            if (use.target.kind == Kind::InSite &&
                QFileInfo(use.target.path).path() == m_mediaFolder) {
                m_taken.insert(QFileInfo(use.target.path).fileName());
                m_shown.insert(QFileInfo(use.target.path).fileName());
            }
        }
    }

    SitePage plannedPage(const SitePage &page, const QList<AddressUse> &uses) {
        QList<BodyEdit> edits;
        QStringList missing;
        for (const AddressUse &use : uses) {
            if (use.target.kind == Kind::Missing || use.target.kind == Kind::Refused) {
                const QString entry = missingEntry(use.target);
                if (!missing.contains(entry))
                    missing.append(entry);
            } else if (const std::optional<BodyEdit> edit = editFor(use, page)) {
                edits.append(*edit);
            }
        }
        if (!missing.isEmpty())
            m_plan.missing.append({page.name, missing});
        if (edits.isEmpty())
            return page;
        SitePage planned = page;
        planned.body = QString::fromUtf8(applyBodyEdits(page.body.toUtf8(), edits));
        return planned;
    }

    MediaPlan take() { return std::move(m_plan); }

private:
    static QString missingEntry(const MediaAddress &target) {
        if (target.kind == Kind::Missing)
            return target.path;
        return QCoreApplication::translate("Builder", "%1 (%2)").arg(target.path, target.reason);
    }

    std::optional<BodyEdit> editFor(const AddressUse &use, const SitePage &page) {
        const QString &sourceFolder = page.sourceFolder;
        const bool picture = use.address.kind == PageAddress::Kind::Picture;
        QString address;
        QSize size;
        if (use.target.kind == Kind::InSite) {
            size = picture ? pictureHeader(use.target.path).uprightSize() : QSize();
            const bool leadsThere =
                use.target.relative && QDir::cleanPath(sourceFolder) == m_destination;
            if (!leadsThere)
                address = QString::fromUtf8(QUrl::toPercentEncoding(
                    QDir(m_destination).relativeFilePath(use.target.path), "/"));
        } else {
            const qsizetype index = fileIndex(use.target, picture);
            if (!m_plan.users[index].contains(page.name))
                m_plan.users[index].append(page.name);
            address = u"media/"_s + m_plan.names[index];
            size = m_plan.files[index].size;
        }
        const bool addSize = picture && !use.address.hasSize && size.isValid();
        if (address.isEmpty() && !addSize)
            return std::nullopt;
        BodyEdit edit{use.address.valueStart, use.address.valueEnd, {}};
        if (address.isEmpty())
            edit.start = edit.end; // the address stays; only the size follows it
        else
            edit.text = attributeText(withFragment(address, use.target.fragment));
        if (addSize)
            edit.text +=
                u" width=\"%1\" height=\"%2\""_s.arg(size.width()).arg(size.height()).toUtf8();
        return edit;
    }

    // The copy of this source, planned on its first use. A source with the
    // same bytes as one already planned, or as a copy already in the media
    // folder, shares that copy: one photo added twice stays one file.
    qsizetype fileIndex(const MediaAddress &target, bool picture) {
        const QString key =
            target.kind == Kind::Data
                ? u"data:"_s +
                      QString::fromLatin1(
                          QCryptographicHash::hash(target.data, QCryptographicHash::Sha1).toHex())
                : (picture ? u"picture:"_s : u"file:"_s) +
                      QFileInfo(target.path).canonicalFilePath();
        if (const auto known = m_indexByKey.constFind(key); known != m_indexByKey.cend())
            return *known;
        MediaFile file = target.kind == Kind::Data ? describeMediaData(target.data)
                                                   : describeMediaFile(target.path, picture);
        for (const qsizetype other : m_indexesBySize.values(file.bytes)) {
            if (m_plan.files[other].picture == picture && sameSource(m_plan.files[other], file)) {
                m_indexByKey.insert(key, other);
                return other;
            }
        }
        const QString wanted = target.kind == Kind::Data
                                   ? dataFileName(target)
                                   : webSafeName(QFileInfo(target.path).fileName());
        const QString name = copyName(wanted, file);
        m_taken.insert(name);
        m_plan.totalBytes += file.bytes;
        m_plan.files.append(file);
        m_plan.names.append(name);
        m_plan.users.append(QStringList());
        const qsizetype index = m_plan.files.size() - 1;
        m_indexByKey.insert(key, index);
        m_indexesBySize.insert(file.bytes, index);
        return index;
    }

    // A copy already in the media folder under the wanted name or one of its
    // numbered forms, or else the first name free for a new one.
    QString copyName(const QString &wanted, const MediaFile &file) {
        const auto taken = [this](const QString &candidate) {
            return m_taken.contains(candidate) || !replaceable(m_mediaFolder + u'/' + candidate);
        };
        for (int number = 1;; ++number) {
            const QString candidate = numberedName(wanted, number);
            const QString path = m_mediaFolder + u'/' + candidate;
            if (!QFileInfo::exists(path))
                break;
            const bool free = !m_taken.contains(candidate) || m_shown.contains(candidate);
            if (free && replaceable(path) && mediaFileIsCurrent(file, path)) {
                m_shown.remove(candidate); // no other copy may share it
                return candidate;
            }
        }
        return freeName(wanted, taken);
    }

    // A copy may take the place of nothing or of a plain file, never of a
    // folder or of a symbolic link that could lead out of the site.
    static bool replaceable(const QString &path) {
        const QFileInfo info(path);
        return !info.isSymLink() && (!info.exists() || info.isFile());
    }

    QString m_destination;
    QString m_mediaFolder;
    MediaPlan m_plan;
    QSet<QString> m_taken;
    QSet<QString> m_shown; // names the pages show in place; taken, unless the same file
    QHash<QString, qsizetype> m_indexByKey;
    QMultiHash<qint64, qsizetype> m_indexesBySize;
};

FileError mediaFolderProblem(const QString &mediaFolder) {
    const QFileInfo info(mediaFolder);
    if (info.isSymLink())
        return {mediaFolder, QCoreApplication::translate(
                                 "Builder", "It is a symbolic link; copies are only written "
                                            "inside the website's folder")};
    if (info.exists() && !info.isDir())
        return {mediaFolder,
                QCoreApplication::translate("Builder", "A file of that name is in the way")};
    return {};
}

// Adds `entry` to each page's list, in the order the pages were first seen.
void noteUnreadable(QList<MissingFiles> &unreadable, const QStringList &pageNames,
                    const QString &entry) {
    for (const QString &pageName : pageNames) {
        auto page =
            std::find_if(unreadable.begin(), unreadable.end(),
                         [&](const MissingFiles &known) { return known.pageName == pageName; });
        if (page == unreadable.end())
            page = unreadable.insert(unreadable.end(), {pageName, {}});
        page->files.append(entry);
    }
}

} // namespace

MediaPlan planSiteMedia(const QList<SitePage> &pages, const QString &destination,
                        const QString &mediaFolder) {
    AddressContext context{{}, destination, {}};
    QSet<QString> pageFiles;
    for (const SitePage &page : pages) {
        const QString file = pageFileName(page.name);
        pageFiles.insert(file);
        context.pageFiles.insert(file.toLower());
    }
    // The pages are searched for addresses on every core; their files are
    // planned one page after another, as names go to the first that asks.
    const QList<QList<PageAddress>> addresses =
        QtConcurrent::blockingMapped(pages, [&pageFiles](const SitePage &page) {
            if (holdsOnlyPlainLinks(page.body, pageFiles) || !mayHoldAddresses(page.body))
                return QList<PageAddress>();
            return findPageAddresses(page.body.toUtf8());
        });

    std::vector<QList<AddressUse>> uses;
    uses.reserve(size_t(pages.size()));
    QList<QStringList> pageLinks;
    pageLinks.reserve(pages.size());
    MediaPlanner planner(destination, mediaFolder);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        context.sourceFolder = pages[i].sourceFolder;
        QList<AddressUse> &pageUses = uses.emplace_back();
        QStringList &links = pageLinks.emplace_back();
        for (const PageAddress &address : addresses[i]) {
            if (address.kind == PageAddress::Kind::Link)
                links.append(address.value);
            const MediaAddress target = resolveMediaAddress(address, context);
            if (target.kind != Kind::Keep)
                pageUses.append({address, target});
        }
        planner.reserveNames(pageUses);
    }
    QList<SitePage> planned;
    planned.reserve(pages.size());
    for (qsizetype i = 0; i < pages.size(); ++i)
        planned.append(planner.plannedPage(pages[i], uses[size_t(i)]));

    MediaPlan plan = planner.take();
    plan.pages = std::move(planned);
    plan.danglingLinks = danglingPageLinks(pages, pageLinks);
    if (!plan.files.isEmpty())
        plan.error = mediaFolderProblem(mediaFolder);
    return plan;
}

MediaOutcome writeSiteMedia(const MediaPlan &plan, const QString &mediaFolder,
                            const std::function<void(qint64 bytes)> &copied, RenamePass *pass) {
    const qsizetype count = plan.files.size();
    if (count == 0)
        return {};
    if (FileError error = makeFolder(mediaFolder); error.failed())
        return {0, error, {}};

    std::vector<MediaWritten> results(static_cast<size_t>(count));
    std::vector<char> written(static_cast<size_t>(count), 0);
    std::atomic<qint64> bytesDone = 0;
    QSemaphore finished;
    QThreadPool pool;
    for (qsizetype i = 0; i < count; ++i) {
        pool.start([&, i] {
            const MediaFile &file = plan.files[i];
            const QString target = mediaFolder + u'/' + plan.names[i];
            if (!mediaFileIsCurrent(file, target)) {
                const MediaWritten &result = results[size_t(i)] =
                    writeMediaFile(file, target, pass);
                written[size_t(i)] = !result.error.failed() && result.unreadable.isEmpty();
            }
            bytesDone += file.bytes;
            finished.release();
        });
    }
    // The calling thread only reports, so that a window showing the progress
    // keeps answering while the pictures are scaled.
    constexpr int ReportIntervalMs = 50;
    while (!finished.tryAcquire(int(count), ReportIntervalMs)) {
        if (copied)
            copied(bytesDone);
    }
    if (copied)
        copied(bytesDone);

    MediaOutcome outcome;
    for (qsizetype i = 0; i < count; ++i) {
        const MediaWritten &result = results[size_t(i)];
        if (result.error.failed() && !outcome.error.failed())
            outcome.error = result.error;
        if (!result.unreadable.isEmpty())
            noteUnreadable(outcome.unreadable, plan.users[i],
                           QCoreApplication::translate("Builder", "%1 (%2)")
                               .arg(plan.files[i].sourcePath.isEmpty() ? plan.names[i]
                                                                       : plan.files[i].sourcePath,
                                    result.unreadable));
        outcome.filesWritten += written[size_t(i)];
    }
    return outcome;
}

} // namespace quillsite
