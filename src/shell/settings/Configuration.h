#pragma once

#include <array>

// The choice of the Configuration page as a plain value: which character types may be chosen and
// which resource pages show their contents. Everything is on until a settings file says
// otherwise.
struct Configuration
{
    // By type index: Angel, Demon, Outcast, Renegade, Soldier, Undead, Remnant, Mundane.
    std::array<bool, 8> types{true, true, true, true, true, true, true, true};
    // Songs, Skills, Vessels, Roles, Artifacts, Servants, Discord, Distinctions: the order of the
    // keys in the settings file.
    std::array<bool, 8> resources{true, true, true, true, true, true, true, true};

    bool operator==(const Configuration &) const = default;
};
