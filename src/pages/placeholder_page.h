#pragma once

#include "pages/tarq_page.h"

// Holds a page's rectangle until the page itself is built: shows nothing but a faint frame and
// changes nothing, so Apply sends the records as they are.
class PlaceholderPage final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(PlaceholderPage)

public:
    explicit PlaceholderPage(const QString& accessibleName, QWidget* parent = nullptr);

    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    // The record last shown, for tests of what the window hands its pages.
    const ProfileRecord* shownProfile() const { return m_profile; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProfileRecord* m_profile = nullptr;
};
