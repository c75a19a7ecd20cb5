// EMBERLIN: a desktop calculator for forest fire danger rating.
#include "app/fire_danger_app.h"

int main(int argc, char** argv) {
    emberlin::app::CFireDangerApp app;
    return app.Run(argc, argv);
}
