#include "entity.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

std::int32_t clamp_to_counter(std::int64_t value) {
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, Limits::min(), Limits::max()));
}

constexpr std::int32_t startingMaxHealth = 10;
constexpr std::int32_t startingDamage = 2;

} // namespace

std::int32_t saturating_add(std::int32_t lhs, std::int32_t rhs) {
    return clamp_to_counter(std::int64_t{lhs} + rhs);
}

std::int32_t saturating_subtract(std::int32_t lhs, std::int32_t rhs) {
    return clamp_to_counter(std::int64_t{lhs} - rhs);
}

Entity::Entity(std::string entityName)
    : name(std::move(entityName)), health(startingMaxHealth), maxHealth(startingMaxHealth),
      damage(startingDamage) {}

std::string Entity::get_name() const { return name; }

std::int32_t Entity::get_health() const { return health; }

std::int32_t Entity::get_max_health() const { return maxHealth; }

std::int32_t Entity::get_damage() const { return damage; }

void Entity::add_health(std::int32_t value) {
    health = std::min(saturating_add(health, value), maxHealth);
}

void Entity::lower_health(std::int32_t value) { health = saturating_subtract(health, value); }
