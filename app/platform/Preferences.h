// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// A setting under its key, with the value it reads as when it is absent, of the wrong type or
// not acceptable (for numbers, outside `lowest`..`highest`).
template <typename T>
struct PreferenceKey
{
    const char* name;
    T fallback;
    std::optional<T> lowest = std::nullopt;
    std::optional<T> highest = std::nullopt;
};

// How a type is kept in the store. The store hands back what it holds, which for a file-backed
// store is often the text the value was written as, so every decoder accepts that text too.
template <typename T>
struct PreferenceCodec;

template <>
struct PreferenceCodec<bool>
{
    static std::optional<bool> decode(const QVariant& stored)
    {
        if (stored.typeId() == QMetaType::Bool) {
            return stored.toBool();
        }
        if (stored.typeId() == QMetaType::QString) {
            const QString text = stored.toString();
            if (text == QLatin1String("true")) {
                return true;
            }
            if (text == QLatin1String("false")) {
                return false;
            }
        }
        return std::nullopt;
    }
    static QVariant encode(bool value) { return value; }
};

template <>
struct PreferenceCodec<int>
{
    static std::optional<int> decode(const QVariant& stored)
    {
        bool ok = false;
        int value = 0;
        switch (stored.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::QString:
            value = stored.toInt(&ok);
            break;
        default:
            break;
        }
        return ok ? std::optional<int>{value} : std::nullopt;
    }
    static QVariant encode(int value) { return value; }
};

template <>
struct PreferenceCodec<QString>
{
    static std::optional<QString> decode(const QVariant& stored)
    {
        return stored.typeId() == QMetaType::QString ? std::optional<QString>{stored.toString()} : std::nullopt;
    }
    static QVariant encode(const QString& value) { return value; }
};

// What a store is told of the program's keys: which belong to it (they live in [General], so a
// file holding them anywhere else has been damaged), and what they read as while the file
// cannot be used, which must not pass for a first launch.
struct PreferenceSchema
{
    QStringList keys;
    QVariantMap whileUnusable;
};

// The per-user settings store. Implementations keep every value written for the rest of the
// run even when it cannot be saved, so the program behaves the same either way.
class Preferences
{
public:
    virtual ~Preferences() = default;

    // What is stored under `key`, or an invalid QVariant when nothing is.
    virtual QVariant value(QAnyStringView key) const = 0;

    // Stores `value` under `key` and saves it at once; false when saving failed.
    virtual bool setValue(QAnyStringView key, const QVariant& value) = 0;

    // Holds saves back until releaseSaves(), so that a burst of writes costs one save.
    virtual void holdSaves() {}
    // Saves what was held back; false when saving failed.
    virtual bool releaseSaves() { return true; }

    // The typed value of a key: its fallback when absent, of the wrong type or out of range.
    template <typename T>
    T read(const PreferenceKey<T>& key) const
    {
        return stored(key).value_or(key.fallback);
    }

    // Whether the key holds something that is no usable value of its type: a damaged line, no
    // answer either way. A first-launch flag in that state must not set off a first launch's writes
    // over the valid settings beside it.
    template <typename T>
    bool holdsUnreadable(const PreferenceKey<T>& key) const
    {
        return value(key.name).isValid() && !stored(key);
    }

    // The typed value of a key when it holds a usable one; none when absent or unusable.
    template <typename T>
    std::optional<T> stored(const PreferenceKey<T>& key) const
    {
        const std::optional<T> decoded = PreferenceCodec<T>::decode(value(key.name));
        if (!decoded || (key.lowest && *decoded < *key.lowest) || (key.highest && *decoded > *key.highest)) {
            return std::nullopt;
        }
        return decoded;
    }

    template <typename T>
    bool write(const PreferenceKey<T>& key, const T& newValue)
    {
        return setValue(key.name, PreferenceCodec<T>::encode(newValue));
    }
};
