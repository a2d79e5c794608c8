# The button page and its dialogs, part of the widget library.
target_sources(mousecfg_ui PRIVATE
    buttons/button_page.cpp buttons/button_page.h
    buttons/key_capture.cpp buttons/key_capture.h
    buttons/key_capture_field.cpp buttons/key_capture_field.h
    buttons/key_capture_hints.cpp buttons/key_capture_hints.h
    buttons/key_listener.cpp buttons/key_listener.h
    buttons/macro_select.cpp buttons/macro_select.h
    buttons/param_dialogs.cpp buttons/param_dialogs.h
    buttons/skin_dialog.cpp buttons/skin_dialog.h)
