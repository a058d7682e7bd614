#pragma once

#include <functional>
#include <QString>

// The per-user store the program keeps its values in. Every value is text,
// addressed by section and key; the application name is the store's own.
class SettingsStore
{
public:
    using SaveFailureHandler = std::function<void(const QString& message)>;

    virtual ~SettingsStore() = default;

    // A key that was never written reads as the empty string.
    virtual QString read(const QString& section, const QString& key) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Takes the key out of the store, so that it reads empty again.
    virtual void remove(const QString& section, const QString& key) = 0;

    // Told when a write does not reach the store, with a message for the
    // user; told once, and not again until a write has succeeded.
    void setSaveFailureHandler(SaveFailureHandler handler) { m_onSaveFailed = std::move(handler); }

protected:
    void saveSucceeded() { m_failing = false; }
    void saveFailed(const QString& message)
    {
        if (m_failing)
            return;
        m_failing = true;
        if (m_onSaveFailed)
            m_onSaveFailed(message);
    }

private:
    SaveFailureHandler m_onSaveFailed;
    bool m_failing = false;
};
