#pragma once

struct PrivacyChoices
{
    bool newsletter = false;
    bool statistics = true;
    bool publicProfile = false;
};
