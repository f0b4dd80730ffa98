#pragma once

#include <cstdint>
#include <string>

// Counters saturate at the limits of their type: a billion rests must not
// wrap oxygen round to a large positive number.
[[nodiscard]] std::int32_t saturating_add(std::int32_t lhs, std::int32_t rhs);
[[nodiscard]] std::int32_t saturating_subtract(std::int32_t lhs, std::int32_t rhs);

class Entity {
public:
    explicit Entity(std::string entityName);

    [[nodiscard]] std::string get_name() const;
    [[nodiscard]] std::int32_t get_health() const;
    [[nodiscard]] std::int32_t get_max_health() const;
    [[nodiscard]] std::int32_t get_damage() const;

    // Heals by value but never past maxHealth; a negative value hurts, with no floor.
    void add_health(std::int32_t value);
    void lower_health(std::int32_t value);

private:
    std::string name;
    std::int32_t health;
    std::int32_t maxHealth;
    std::int32_t damage;
};
