# Writes OUTPUT from TEMPLATE with every script of FILES as a raw string literal.
set(corpus_entries "")
foreach(file ${FILES})
  get_filename_component(name ${file} NAME)
  file(READ ${file} content)
  string(APPEND corpus_entries "    {\"${name}\", R\"kovra(${content})kovra\"},\n")
endforeach()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
