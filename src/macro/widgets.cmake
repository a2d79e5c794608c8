# The macro editor and its dialogs, part of the widget library.
target_sources(mousecfg_ui PRIVATE
    macro/gun_dialogs.cpp macro/gun_dialogs.h
    macro/macro_delegate.cpp macro/macro_delegate.h
    macro/macro_dialog.cpp macro/macro_dialog.h
    macro/macro_library.cpp
    macro/macro_list_item.cpp macro/macro_list_item.h
    macro/macro_model.cpp macro/macro_model.h
    macro/macro_row_text.cpp macro/macro_row_text.h)
