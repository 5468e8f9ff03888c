# The Debian packages Vokta is built with; sourced by dev.sh and by the set-up test.
# What the program itself needs to build and run (scripts/dev.sh start).
release_packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-charts-dev
                  libqt6opengl6-dev libgl-dev fonts-liberation2 qt6-translations-l10n)
# What the test command adds: tests and their fonts and locales, the sanitizer and fuzzer compiler, the
# linker of the dev and asan builds (lld), the format check, the tools that make and validate the .deb, its
# desktop entry and AppStream file, the PDF text extractor that reads a saved report back, the circuit
# simulator that checks the netlists, and what asks the shared MIME database the type of a design file as a
# desktop does (xdg-mime through gio).
test_packages=("${release_packages[@]}" libgtest-dev locales-all fonts-dejavu-core clang-14
               libclang-rt-14-dev lld clang-format file desktop-file-utils appstream poppler-utils ngspice
               shared-mime-info xdg-utils libglib2.0-bin)
