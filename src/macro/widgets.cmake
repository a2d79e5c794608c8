# The macro editor's dialogs, part of the widget library.
target_sources(mousecfg_ui PRIVATE
    macro/gun_dialogs.cpp macro/gun_dialogs.h)
