// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_loader.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

namespace results {

ResultsLoader::ResultsLoader(store::DataRoot root, QObject *parent)
    : QObject(parent)
    , m_root(std::move(root))
    , m_latest(std::make_shared<std::atomic<quint64>>(0))
    , m_cache(std::make_shared<RecordCache>())
{}

// Reads still running finish on their own; their watchers go with this object,
// so nothing is delivered to a window that has closed.
ResultsLoader::~ResultsLoader() = default;

void ResultsLoader::request(const QString &paper, const QString &className)
{
    const quint64 generation = ++*m_latest;
    auto promise = std::make_shared<QPromise<ResultsInput>>();
    auto *watcher = new QFutureWatcher<ResultsInput>(this);
    ++m_pending;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        --m_pending;
        if (generation != m_latest->load() || watcher->future().resultCount() == 0)
            return;
        emit loaded(watcher->result());
    });
    watcher->setFuture(promise->future());

    QThreadPool::globalInstance()->start(
        [promise, latest = m_latest, cache = m_cache, generation, root = m_root, paper, className] {
            promise->start();
            if (generation == latest->load())
                promise->addResult(ResultsReader::read(root, paper, className, cache.get()));
            promise->finish();
        });
}

} // namespace results
