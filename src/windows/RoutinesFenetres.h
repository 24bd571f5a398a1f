#pragma once

class Programme;

// The About window with the tooltip option and the blinking images, and the
// help window.
class RoutinesFenetres {
public:
    explicit RoutinesFenetres(Programme& p) : p(p) {}
    void brancher();

    void BasculerInfoBulles();

private:
    Programme& p;
};
