/* The evaluation's converter for librime, built by eval-sentences.sh only where librime's headers
 * are installed (the project itself never uses librime).
 *   rime_convert USER_DIR SCHEMA < pinyin lines > one conversion per line
 * Types each line's letters, then Space until the composition closes, and prints what was
 * committed. The schemas' user dictionaries are switched off in USER_DIR beforehand by the
 * script, so that nothing learned on one clause helps the next (the console runs each clause in a
 * fresh user folder). */
#include <stdio.h>
#include <string.h>

#include <rime_api.h>

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: rime_convert USER_DIR SCHEMA\n");
    return 2;
  }
  RimeApi* rime = rime_get_api();
  RIME_STRUCT(RimeTraits, traits);
  traits.shared_data_dir = "/usr/share/rime-data";
  traits.user_data_dir = argv[1];
  traits.app_name = "rime.kellavor_eval";
  traits.min_log_level = 3;
  rime->setup(&traits);
  rime->initialize(NULL);
  if (rime->start_maintenance(True)) rime->join_maintenance_thread();
  RimeSessionId session = rime->create_session();
  if (!rime->select_schema(session, argv[2])) {
    fprintf(stderr, "rime_convert: no schema %s\n", argv[2]);
    return 1;
  }
  char line[512];
  while (fgets(line, sizeof line, stdin) != NULL) {
    line[strcspn(line, "\r\n")] = '\0';
    char committed[4096] = "";
    rime->clear_composition(session);
    rime->simulate_key_sequence(session, line);
    for (int spaces = 0; spaces < 24; ++spaces) {
      RIME_STRUCT(RimeContext, context);
      int composing = rime->get_context(session, &context) && context.composition.length > 0;
      rime->free_context(&context);
      if (!composing) break;
      rime->process_key(session, ' ', 0);
      RIME_STRUCT(RimeCommit, commit);
      if (rime->get_commit(session, &commit)) {
        strncat(committed, commit.text, sizeof committed - strlen(committed) - 1);
        rime->free_commit(&commit);
      }
    }
    printf("%s\n", committed);
  }
  rime->destroy_session(session);
  rime->finalize();
  return 0;
}
