// placeholder: the resource library's dialogs land here
